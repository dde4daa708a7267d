// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared first

#include <jpeglib.h>

namespace resources {

// libjpeg's own error handler ends the process. This one jumps back to the setjmp on
// `escape` instead, with libjpeg's reason in `message`. Between that setjmp and the libjpeg
// calls, the caller's frames hold plain C data only, as the jump skips their destructors.
struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

// Makes `errors` the handler of a libjpeg object: `info.err = UseJpegErrors(errors);`.
jpeg_error_mgr *UseJpegErrors(JpegErrors &errors);

// The error exit that UseJpegErrors installs, for handlers that also end on warnings.
extern "C" void JumpOnJpegError(j_common_ptr info);

} // namespace resources
