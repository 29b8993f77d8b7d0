/* vek.h -- everything the program uses of the stand-in for the desktop's
 * window library, layout library and Windows calls, in one include. */
#ifndef PLATFORM_VEK_H
#define PLATFORM_VEK_H

#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/msgbox.h"
#include "platform/posix.h"

#endif
