// Conversion between the system's single-byte Windows-1252 text and Qt's strings, at the edge
// where the model's text reaches a widget; shared by the forms skin and the Win32 display host.
#pragma once

#include <QString>

#include <string>

namespace qtkit {

QString FromWindows1252(const std::string& text);
// Characters that Windows-1252 cannot hold become "?".
std::string ToWindows1252(const QString& text);
// Whether Windows-1252 holds every character of the text.
bool HoldsInWindows1252(const QString& text);
// A caption for a widget that shows "&" as an access key underline: the text as it is.
// For a widget that does not (a plain label), single ampersands are dropped and "&&" gives "&".
QString WithoutAccessKeys(const std::string& caption);

} // namespace qtkit
