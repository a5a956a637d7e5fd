#pragma once

#include <QString>
#include <utility>
#include <vector>

class TCustomTransitionView;

// A stored description of a view: its published properties as name and value, in the order
// they are applied. In text, one "Name = Value" per line; values are written as in a form
// file: integers in decimal or, after '$', in hexadecimal; True and False; identifiers such as
// bmCentered, tpHigher, alClient or clBtnFace; text in single quotes ('' for a quote). Blank
// lines and lines starting with "//" are skipped. Names are compared without regard to case.
//
// Besides the view's published properties, "StretchFine" is understood: an older name whose
// Boolean value sets Proportional.
using TStoredProperties = std::vector<std::pair<QString, QString>>;

// Splits the text into properties; a line that is not "Name = Value" raises EReadError.
TStoredProperties ParseStoredProperties(const QString& text);
// Writes each property to the view. An unknown name or a value of the wrong kind raises
// EReadError; the properties before it stay applied. Picture and BgPicture take a file name,
// relative to baseFolder when it is not absolute.
void ReadStoredProperties(TCustomTransitionView& view, const TStoredProperties& properties,
                          const QString& baseFolder = QString());
// Reads the description from a text file (EFOpenError when it cannot be read) and applies it;
// picture file names are relative to the file's folder.
void LoadStoredProperties(TCustomTransitionView& view, const QString& fileName);
