# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a distribution builds its packages with: Debian's hardening of the program, and paths and
# dates kept out of the build output, so that two builds of one commit in different folders give
# the same bytes. Applies to every target below the top-level folder, Qt's generated code too.

# The build folders vanish from debugging information, __FILE__ and the build id: the later map
# wins, so a build folder inside the source tree maps before the tree itself does.
set(varnelo_prefix_maps
  "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
  "-ffile-prefix-map=${PROJECT_BINARY_DIR}=.")
# __DATE__ and __TIME__ would put the build's moment into the program.
add_compile_options(${varnelo_prefix_maps} -Wdate-time)
# Link-time optimisation compiles once more when linking, in the link's own folder.
add_link_options(${varnelo_prefix_maps})

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

# GCC names the sections of link-time-optimised objects with a random number unless given a seed:
# each object's path inside the build folder is one, the same in every build.
foreach(lang IN ITEMS C CXX)
  string(REPLACE "<FLAGS>" "<FLAGS> -frandom-seed=<OBJECT>"
    CMAKE_${lang}_COMPILE_OBJECT "${CMAKE_${lang}_COMPILE_OBJECT}")
endforeach()
