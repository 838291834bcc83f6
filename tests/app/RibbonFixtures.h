// The ribbon's entries as a user reaches them, for the main-window tests.
#pragma once

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "app/MainRibbon.h"
#include "app/MainWindow.h"
#include "app/Ribbon.h"

namespace ribbonfixtures {

inline Ribbon& Bar(const MainWindow& window) { return window.RibbonBar()->Widget(); }

// The application button's menu, filled as when it opens.
inline QMenu* ApplicationMenu(const MainWindow& window) {
  QMenu* menu = Bar(window).findChild<QToolButton*>("ApplicationButton")->menu();
  emit menu->aboutToShow();
  return menu;
}

// An entry of the application menu or of a drop-down, by its command's ID_ name.
inline QAction* Action(const MainWindow& window, const char* name) {
  ApplicationMenu(window);
  return Bar(window).findChild<QAction*>(QString::fromLatin1(name));
}

inline QToolButton* Button(const MainWindow& window, const char* name) {
  return Bar(window).findChild<QToolButton*>(QString::fromLatin1(name));
}

// Item `request` of the object gallery.
inline QToolButton* GalleryItem(const MainWindow& window, int request) {
  QMenu* gallery = Bar(window).GalleryMenu(ID_RIBBON_PBTN_1);
  return gallery ? gallery->findChild<QToolButton*>(QStringLiteral("ObjectItem%1").arg(request)) : nullptr;
}

}  // namespace ribbonfixtures
