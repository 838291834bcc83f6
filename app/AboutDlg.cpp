#include "app/AboutDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "app/VersionHistory.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("バージョン情報"));
  auto* grid = new QGridLayout(this);
  auto* icon = new QLabel;
  const QIcon appIcon = QApplication::windowIcon().isNull()
                            ? style()->standardIcon(QStyle::SP_DesktopIcon)
                            : QApplication::windowIcon();
  icon->setPixmap(appIcon.pixmap(32, 32));
  grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  auto* title = new QLabel(QStringLiteral("Tessaly"));
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  grid->addWidget(title, 0, 1);
  version_ = new QLabel(QStringLiteral("Version ") + BuiltVersion());
  grid->addWidget(version_, 1, 1);
  history_ = new QPlainTextEdit(VersionHistory().join('\n'));
  history_->setReadOnly(true);
  history_->setLineWrapMode(QPlainTextEdit::NoWrap);
  grid->addWidget(history_, 2, 0, 1, 2);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(QString::fromUtf8("確認 (&Y)"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  grid->addWidget(buttons, 3, 0, 1, 2);
  resize(460, 260);
}
