/* vek.h -- everything the program uses of the stand-in for the desktop's
 * window library and Windows calls, in one include. */
#ifndef PLATFORM_VEK_H
#define PLATFORM_VEK_H

#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/input.h"
#include "platform/msgbox.h"
#include "platform/posix.h"
#include "platform/sheets.h"
#include "platform/screen.h"
#include "platform/font.h"

#endif
