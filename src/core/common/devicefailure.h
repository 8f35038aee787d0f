#pragma once

#include "core/common/result.h"

class QIODevice;

// What a writer answers when the device it writes to failed ("msg.write_fail" with the
// device's reason).
tvk::Failure deviceFailure(const QIODevice &out);
