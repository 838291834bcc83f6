// Where the rehearsal results window draws its parts in a client area: the
// thumbnail grid of a page, the bar graph with its boundary handles, the
// totals and the button strip. Pure layout, so the window only paints it.
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <vector>

inline constexpr QSize kResultMinSize{478, 508};
inline constexpr int kResultColumns = 5;
inline constexpr int kResultRows = 4;
inline constexpr int kResultTitleHeight = 58;
inline constexpr int kHandleWidth = 4;

enum class ResultButton { None = -1, NextPage, PreviousPage, TimeTable, Save, End };
inline constexpr int kResultButtonCount = 5;

// The grid cell of the k-th slide of a page holding `onPage` slides; rows
// are centred when the page has fewer than four.
QRect ResultCell(QSize client, int onPage, int k);
// The slide's thumbnail centred in its cell, and the scale it is drawn at.
float ThumbnailScale(QSize cell, QSize slide);
QRect ThumbnailRect(QRect cell, QSize slide);
QColor ResultColumnColour(int column);
// Yellow on red, orange and blue; black on yellow and green.
QColor ResultNumberColour(int column);
int ResultLabelPointSize(int clientWidth);

// The bar graph: 90 pixels high, as wide as the client less 196.
QRect ResultGraphRect(QSize client);
// Slide j's bar is time_j / total of the graph's width, the last takes the rest.
std::vector<QRect> ResultBars(const std::vector<int>& times, QRect graph);
// The 4-pixel handle centred on the right end of a bar.
QRect ResultHandle(QRect bar);
// The slide whose handle is under `point`, or -1.
int ResultHandleAt(const std::vector<QRect>& bars, QPoint point);

// The texts and buttons to the right of the graph.
QRect ResultTotalRect(QSize client);
QRect ResultPageRect(QSize client);
QRect ResultButtonStrip(QSize client);
QRect ResultButtonRect(QSize client, ResultButton button);
ResultButton ResultButtonAt(QSize client, QPoint point);
