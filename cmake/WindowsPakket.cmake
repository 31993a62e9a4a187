# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack for each generator of the Windows build: the installer is
# kavelzicht-VERSION-windows-x64-setup.exe beside the zip of the same name.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
