// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QString>

namespace kobaru {

// Whether a regular file stands at the path: not a folder, pipe, socket or device, whose opening
// could block the interface for ever.
bool isRegularFile(const QString& path);

// The picture in a regular file; a null pixmap when the path holds none or anything else. The
// file is opened without waiting and checked once open, so nothing swapped in meanwhile blocks.
QPixmap regularPicture(const QString& path);

}  // namespace kobaru
