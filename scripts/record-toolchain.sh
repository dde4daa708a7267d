#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Records beside committed pictures what drew them (Qt, the JPEG library, the faces), as the
# build's make_pictures --toolchain tells it. The tests compare fresh drawings with those
# pictures pixel for pixel only where the toolchain is the recorded one.
# Usage: scripts/record-toolchain.sh build-dir record-file what-it-records
set -euo pipefail
build="$1" record="$2" what="$3"
toolchain="$(QT_QPA_PLATFORM=offscreen "$build/tools/make_pictures" --toolchain)"
cat >"$record" <<END
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What drew $what (written by scripts/record-toolchain.sh).
# Where a machine draws with exactly this, the tests require a fresh drawing to be the
# committed file; elsewhere they judge it by its likeness alone.
$toolchain
END
echo "$record: $toolchain"
