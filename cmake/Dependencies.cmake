# Every third-party library comes from a Debian package (scripts/setup).
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
pkg_check_modules(PUGIXML REQUIRED IMPORTED_TARGET pugixml)
pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
pkg_check_modules(ZLIB REQUIRED IMPORTED_TARGET zlib)
pkg_check_modules(OPENAL REQUIRED IMPORTED_TARGET openal)
pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
find_package(OpenGL REQUIRED)
# The window's real size and placement are asked of the X server itself.
find_package(X11 REQUIRED)
find_path(STB_INCLUDE_DIR stb_image.h PATH_SUFFIXES stb REQUIRED)

add_library(aquavex_deps INTERFACE)
add_library(aquavex::deps ALIAS aquavex_deps)
target_link_libraries(aquavex_deps INTERFACE
  PkgConfig::PUGIXML PkgConfig::MINIZIP PkgConfig::ZLIB PkgConfig::OPENAL
  PkgConfig::VORBISFILE PkgConfig::SDL2 OpenGL::GL X11::X11 Threads::Threads)
target_include_directories(aquavex_deps SYSTEM INTERFACE ${STB_INCLUDE_DIR})
