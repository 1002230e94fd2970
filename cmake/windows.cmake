# The native Win32 window, cross-compiled with mingw-w64.
