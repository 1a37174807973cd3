// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Makes file permissions hold for this process even when it runs as root, as CI does: gives up
// the two capabilities that let root read and write any file. A test of unreadable files then
// means what it says. Capabilities belong to each thread and new threads inherit them, so this
// goes first, before any thread starts (QTest calls a test class's static initMain() then).
// False if they could not be given up.
inline bool soltarPrivilegiosDeFicheros() {
    __user_cap_header_struct cabecera{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct datos[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &cabecera, datos) != 0)
        return false;
    for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
        datos[CAP_TO_INDEX(cap)].effective &= ~CAP_TO_MASK(cap);
    return syscall(SYS_capset, &cabecera, datos) == 0;
}
