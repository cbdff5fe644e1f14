// Stands in for Qt Widgets' global header, which every Widgets header includes first, in the
// layers other than the binding: Widgets reached from there stop the build.
#error "Qt Widgets are used in qt/ only"
