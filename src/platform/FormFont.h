#pragma once
#include <QFont>

namespace swh {

// The forms' font: "ＭＳ Ｐゴシック" at 12 pixels, with its metric-compatible stand-ins.
QFont FormFont();

} // namespace swh
