#pragma once
// A button of a window's tool bar: its object name "ToolButton<nummer>", hint and icon.
class QToolBar;
class QToolButton;

namespace kalvora {

// Adds the button to the bar; the icon is the theme's, else the program's own SVG.
QToolButton* Leistenknopf(QToolBar* leiste, int nummer, const char* hinweis,
                          const char* symbol, const char* thema);

}  // namespace kalvora
