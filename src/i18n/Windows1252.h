#pragma once

#include <QByteArrayView>
#include <QString>

namespace korv {

// Language files written with a Windows text editor arrive in the Western ANSI code page. Qt offers
// no decoder for it, so the table lives here.
QString decodeWindows1252(QByteArrayView bytes);

}  // namespace korv
