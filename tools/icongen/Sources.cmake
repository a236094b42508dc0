# The generator's sources, shared by the native build and the host build inside the Windows build.
set(ICONGEN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChipPicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IcoFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PixelFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SunPicture.cpp)
set(ICONGEN_HEADERS
  ${CMAKE_CURRENT_LIST_DIR}/ChipPicture.h
  ${CMAKE_CURRENT_LIST_DIR}/IcoFile.h
  ${CMAKE_CURRENT_LIST_DIR}/Image.h
  ${CMAKE_CURRENT_LIST_DIR}/PixelFont.h
  ${CMAKE_CURRENT_LIST_DIR}/Sheet.h
  ${CMAKE_CURRENT_LIST_DIR}/SunPicture.h)
