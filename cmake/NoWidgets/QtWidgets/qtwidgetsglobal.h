// Stands in for Qt Widgets' global header, which every Widgets header includes first, in the
// layers below the binding: Widgets reached from there stop the build.
#error "Qt Widgets are used in platform/qt/ only"
