#pragma once

#include <QMessageBox>
#include <QString>
#include <string>
#include <string_view>

// The application's title: the executable's file name without its folder, cut at its first
// dot, with every character after the first in lower case ("MyShow.scr" gives "Myshow").
std::string ApplicationTitle(std::string_view executablePath);

// text cut to at most maxBytes bytes of UTF-8, never inside a character.
std::string TruncateText(std::string_view text, std::size_t maxBytes);

inline constexpr std::size_t kMessageBoxTitleBytes = 63;
inline constexpr std::size_t kMessageBoxTextBytes = 1023;

// A modal message box owned by owner with one OK button. A title over 63 bytes or a text over
// 1023 bytes is cut to fit. Returns when the user dismisses it.
void CustomMessageBox(QWidget* owner, std::string_view text, std::string_view title,
                      QMessageBox::Icon icon);

// An information box titled with the application's title.
void InfoBox(QWidget* owner, std::string_view text);
