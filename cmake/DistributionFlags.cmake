# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a distribution builds its packages with: Debian's hardening of the program, and paths and
# dates kept out of the build output, so that two builds of one commit in different folders give
# the same bytes. Applies to every target below the top-level folder, Qt's generated code too.

# The build folders vanish from debugging information, __FILE__ and the build id: the later map
# wins, so a build folder inside the source tree maps before the tree itself does.
add_compile_options(
  "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
  "-ffile-prefix-map=${PROJECT_BINARY_DIR}=."
  # __DATE__ and __TIME__ would put the build's moment into the program.
  -Wdate-time)

# Stack protection and checked string functions, as Debian's dpkg-buildflags give them. The
# checked functions need optimisation, which a Debug build lacks.
add_compile_options(
  -fstack-protector-strong -fstack-clash-protection
  "$<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>")
# Relocations resolved at start-up, then made read-only.
add_link_options(-Wl,-z,relro -Wl,-z,now)

# The installed folders are 0755 whatever the umask of the build: every install rule below the
# top-level folder creates its folders so.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
