#include "app/JapaneseUi.h"

#include <QGuiApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

void InstallJapaneseUi(QGuiApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);

  for (const char* face : {"Meiryo UI", "メイリオ", "ＭＳ Ｐゴシック"})
    QFont::insertSubstitution(QString::fromUtf8(face), kUiFontFamily);
  QFont font(kUiFontFamily);
  font.setPointSize(9);
  QGuiApplication::setFont(font);
}
