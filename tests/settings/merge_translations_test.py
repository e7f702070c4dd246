#!/usr/bin/env python3
"""Tests of settings/merge_translations.py on a small text table in a temporary directory.

    merge_translations_test.py <path of merge_translations.py>
"""

import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = None

HEADER = "# comment line kept as it is\n"
TABLE = HEADER + "".join(
    "\t".join([str(row), english, russian] + [""] * 8) + "\n"
    for row, english, russian in [(0, "New Player", "Новый игрок"), (96, "Can`t save options!", "Ошибка"),
                                  (404, "Player", "Игрок"), (461, "I think... ", "Думаю... ")])


class MergeTranslations(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.texts = os.path.join(self.dir.name, "texts.tsv")
        self.translations = os.path.join(self.dir.name, "translations")
        os.mkdir(self.translations)
        with open(self.texts, "w", encoding="utf-8", newline="\n") as f:
            f.write(TABLE)

    def tearDown(self):
        self.dir.cleanup()

    def translation(self, name, text):
        with open(os.path.join(self.translations, name), "w", encoding="utf-8", newline="") as f:
            f.write(text)

    def run_script(self, *extra):
        return subprocess.run([sys.executable, SCRIPT, "--texts", self.texts, "--translations", self.translations,
                               *extra], capture_output=True, text=True)

    def rows(self):
        with open(self.texts, encoding="utf-8") as f:
            return {int(line.split("\t")[0]): line.rstrip("\n").split("\t")
                    for line in f if line[0].isdigit()}

    def test_nothing_to_merge_keeps_the_file_byte_for_byte(self):
        result = self.run_script()
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(self.texts, encoding="utf-8", newline="") as f:
            self.assertEqual(f.read(), TABLE)
        self.assertIn("German (2): 4 rows empty: 0, 96, 404, 461", result.stdout)
        self.assertIn("Korean (9): 3 rows empty: 0, 96, 461", result.stdout)  # 404 is meant to be empty

    def test_fills_the_column_and_keeps_spaces_and_escapes(self):
        self.translation("2-de.tsv", "# German\r\n0\tNeuer \\\"Spieler\\\"\r\n461\tIch denke... \r\n"
                         "96\tZwei\\n\\rZeilen\r\n")
        result = self.run_script()
        self.assertEqual(result.returncode, 0, result.stderr)
        rows = self.rows()
        self.assertEqual(rows[0][3], 'Neuer "Spieler"')  # the quote as texts.tsv writes it
        self.assertEqual(rows[461][3], "Ich denke... ")
        self.assertEqual(rows[96][3], "Zwei\\n\\rZeilen")
        self.assertEqual(rows[0][2], "Новый игрок")
        self.assertEqual(len(rows[0]), 11)
        self.assertIn("2-de.tsv: 3 texts filled, 0 changed", result.stdout)
        self.assertIn("German (2): 1 rows empty: 404", result.stdout)
        with open(self.texts, encoding="utf-8") as f:
            self.assertTrue(f.read().startswith(HEADER))

    def test_refuses_bad_rows_but_merges_the_rest(self):
        self.translation("9-ko.tsv", "0\t새 플레이어\n1057\t없는\n0\t두 번\n404\t플레이어\nabc\n96\tbad\\x\n")
        result = self.run_script()
        self.assertEqual(result.returncode, 1)
        self.assertIn("9-ko.tsv:2: refused: row 1057 does not exist", result.stderr)
        self.assertIn("9-ko.tsv:3: refused: row 0 is given twice", result.stderr)
        self.assertIn("9-ko.tsv:4: refused: row 404 stays empty in Korean", result.stderr)
        self.assertIn("9-ko.tsv:5: refused: the line must be a row number", result.stderr)
        self.assertIn("9-ko.tsv:6: refused: row 96: unknown escape \\x", result.stderr)
        rows = self.rows()
        self.assertEqual(rows[0][10], "새 플레이어")
        self.assertEqual(rows[404][10], "")
        self.assertNotIn(1057, rows)

    def test_refuses_misnamed_files_and_dry_run_writes_nothing(self):
        self.translation("2-fr.tsv", "0\tNouveau joueur\n")
        self.translation("3-fr.tsv", "0\tNouveau joueur\n")
        result = self.run_script("--dry-run")
        self.assertEqual(result.returncode, 1)
        self.assertIn("2-fr.tsv: refused: the name must be one of", result.stderr)
        self.assertIn("3-fr.tsv: 1 texts filled", result.stdout)
        with open(self.texts, encoding="utf-8", newline="") as f:
            self.assertEqual(f.read(), TABLE)

    def test_a_second_merge_reports_changes(self):
        self.translation("4-es.tsv", "0\tJugador nuevo\n")
        self.assertEqual(self.run_script().returncode, 0)
        self.translation("4-es.tsv", "0\tNuevo jugador\n")
        result = self.run_script()
        self.assertIn("4-es.tsv: 0 texts filled, 1 changed", result.stdout)
        self.assertEqual(self.rows()[0][5], "Nuevo jugador")


if __name__ == "__main__":
    SCRIPT = sys.argv.pop(1)
    unittest.main()
