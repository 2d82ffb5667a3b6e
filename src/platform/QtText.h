#pragma once
// The one crossing between widget text (QString) and the system's CP932 bytes.
#include <QString>
#include <string>
#include <string_view>

namespace swh {

QString QStringFromCp932(std::string_view cp932);
std::string Cp932FromQString(const QString& text);

} // namespace swh
