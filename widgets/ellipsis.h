// Whether captions that do not fit get an end ellipsis: the platforms that
// draw them are the consumer line and the business line from version 4 on.
#pragma once

#include "platform/osversion.h"

namespace velmora::widgets {

bool EllipsisSupportedOn(const platform::OsVersionInfo& info);

// Asks the platform for its version; true when the query fails.
bool DetectEllipsisSupport();

} // namespace velmora::widgets
