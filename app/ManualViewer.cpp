#include "app/ManualViewer.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QScreen>
#include <QWidget>
#include <memory>

#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"

namespace {

QString ManualTitle() { return LoadString(msg::ManualTitle).value_or(QStringLiteral("Manual")); }

}  // namespace

QString ManualPath(const QString& folder) { return folder + '/' + ManualTitle() + QStringLiteral(".pdf"); }

void ShowManual(const QString& folder, QWidget* owner, const QString& moduleFolder) {
  const QString path = ManualPath(folder);
  if (!QFileInfo(path).isFile()) {
    ShowFailure(Failure(msg::FileMissingBesideProgram, QFileInfo(path).fileName() + '\n', MsgStyle::Info), owner);
    return;
  }
  using Viewer = QDialog* (*)(const QString&, const QString&, QWidget*);
  const QString module =
      (moduleFolder.isEmpty() ? QCoreApplication::applicationDirPath() : moduleFolder) + '/' + kManualModule;
  const auto viewer = reinterpret_cast<Viewer>(QLibrary::resolve(module, "TessalyManualViewer"));
  if (!viewer) {
    ShowFailure(Failure(msg::FileMissingBesideProgram, QString(kManualModule) + '\n', MsgStyle::Info), owner);
    return;
  }
  // A damaged file would show an empty viewer; say so instead.
  const std::unique_ptr<QDialog> dialog(viewer(path, ManualTitle(), owner));
  if (!dialog) {
    ShowFailure(Failure(msg::CannotOpen, QFileInfo(path).fileName() + '\n'), owner);
    return;
  }
  // The whole screen also where no window manager maximises.
  if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
    dialog->setGeometry(screen->availableGeometry());
  dialog->setWindowState(Qt::WindowMaximized);
  dialog->exec();
}
