#include "app/ShellDialogs.h"

#include "app/AboutDlg.h"
#include "app/CommandIds.h"
#include "app/KansetDlg.h"
#include "app/ManualViewer.h"
#include "editor/CommandRegistry.h"

void RegisterShellDialogs(CommandRegistry& commands, ShellDialogHooks hooks, QWidget* owner) {
  const auto label = [](const char* utf8) { return QString::fromUtf8(utf8); };
  commands.Add({ID_KAN_SET, "ID_KAN_SET", label("環境設定(&K)"),
                [hooks, owner] {
                  if (const std::optional<KansetValues> v = RunKansetDlg(LoadKanset(hooks.readGuide()), owner))
                    hooks.keepGuide(SaveKanset(*v));
                },
                {}});
  commands.Add({ID_RECENT_KANRI, "ID_RECENT_KANRI", label("最近使ったファイルの管理(&R)"),
                [hooks, owner] {
                  CRecentDlg dialog(hooks.showFolder, owner);
                  dialog.exec();
                },
                {}});
  commands.Add({ID_HELP_DSP, "ID_HELP_DSP", label("取扱説明書(&M)"),
                [hooks, owner] { ShowManual(hooks.manualFolder, owner); }, {}});
  commands.Add({ID_APP_ABOUT, "ID_APP_ABOUT", label("バージョン情報(&A)"),
                [owner] {
                  CAboutDlg dialog(owner);
                  dialog.exec();
                },
                {}});
}
