#include "media/media_assets.h"

#include <QtCore/qglobal.h>

#include <QResource>

// Outside the namespace, as Q_INIT_RESOURCE requires.
static void InitTarvelMediaAssets() {
  Q_INIT_RESOURCE(tarvel_media_assets);
}

namespace tarvel {

void InitMediaAssets() {
  static const bool done = (InitTarvelMediaAssets(), true);
  (void)done;
}

}  // namespace tarvel
