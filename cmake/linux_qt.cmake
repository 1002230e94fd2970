# The Qt 6 Widgets window for Linux.
