// Seen only by the core library, ahead of Qt's own header of this name.
#error "core code (QtCore and QtSql only) includes a Qt GUI or Widgets header; move the code to a gui/ folder"
