// The main window's status bar as far as the editing view needs it: the
// pointer position pane and the operation guide in the message area.
#pragma once

class QMainWindow;
class CMiradoView;

void InstallViewStatusBar(QMainWindow& window, CMiradoView& view);
