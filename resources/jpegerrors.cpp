// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/jpegerrors.h"

namespace resources {

extern "C" void JumpOnJpegError(j_common_ptr info)
{
    auto *errors = reinterpret_cast<JpegErrors *>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->escape, 1);
}

jpeg_error_mgr *UseJpegErrors(JpegErrors &errors)
{
    jpeg_error_mgr *manager = jpeg_std_error(&errors.base);
    manager->error_exit = JumpOnJpegError;
    return manager;
}

} // namespace resources
