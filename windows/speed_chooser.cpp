#include "windows/speed_chooser.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "table/kex_cards_button.h"

namespace tarvel {

namespace {
constexpr int kSlowest = 1;
constexpr int kFastest = 6;
}  // namespace

SpeedChooser::SpeedChooser(const WindowContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("SpeedChooser"));
  setWindowTitle(context.Tr(299));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(context.Tr(300), this);
  layout->addWidget(prompt);

  trackBar_ = new QSlider(Qt::Horizontal, this);
  trackBar_->setObjectName(QStringLiteral("SpeedTrackBar"));
  trackBar_->setRange(kSlowest, kFastest);
  trackBar_->setPageStep(1);
  trackBar_->setTickPosition(QSlider::TicksBelow);
  trackBar_->setTickInterval(1);
  trackBar_->setValue(std::clamp(context.options.Speed, kSlowest, kFastest));
  trackBar_->setMinimumWidth(240);
  layout->addWidget(trackBar_);

  // The labels 1 to 6 under the ticks.
  auto* labels = new QGridLayout;
  for (int speed = kSlowest; speed <= kFastest; ++speed) {
    auto* label = new QLabel(QString::number(speed), this);
    const int column = speed - kSlowest;
    label->setAlignment(speed == kSlowest ? Qt::AlignLeft : speed == kFastest ? Qt::AlignRight : Qt::AlignHCenter);
    labels->addWidget(label, 0, column);
    labels->setColumnStretch(column, 1);
  }
  layout->addLayout(labels);

  ok_ = new TKexCardsButton(this);
  ok_->setObjectName(QStringLiteral("SpeedOk"));
  ok_->setText(QStringLiteral("OK"));
  ok_->setFixedSize(90, 30);
  ok_->SetFramed(context.options.NewButtons);
  ok_->setDefault(true);
  layout->addWidget(ok_, 0, Qt::AlignHCenter);

  connect(trackBar_, &QSlider::valueChanged, this, [this](int value) { context_.options.Speed = value; });
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

int SpeedChooser::Choose(const WindowContext& context, QWidget* parent) {
  SpeedChooser chooser(context, parent);
  chooser.exec();
  return context.options.Speed;
}

}  // namespace tarvel
