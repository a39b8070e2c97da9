# Fails when a core folder of src/ includes what its library must not use: a QtWidgets
# header, a QtGui header (the order's document may have <QUndoStack>), or a header of the
# window's folders. Spellings such as <QtWidgets/QWidget>, <qwidget.h> and <QtGui> count too.
#   cmake -DSOURCE_DIR=src -DWIDGETS_DIR=.../QtWidgets -DGUI_DIR=.../QtGui -P CoreIncludes.cmake
set(faults "")
foreach(folder platform listings order orderfile recovery)
    file(GLOB files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(file ${files})
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line ${includes})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" name "${line}")
            string(REGEX REPLACE "^(QtWidgets|QtGui)/" "" header "${name}")
            set(allowed FALSE)
            if(folder STREQUAL "order" AND header MATCHES "^(QUndoStack|qundostack\\.h)$")
                set(allowed TRUE)
            endif()
            if(name MATCHES "^(app|dialogs|platform/qt)/" OR name MATCHES "^(QtWidgets|QtGui)$"
               OR (NOT allowed AND (EXISTS ${WIDGETS_DIR}/${header} OR EXISTS ${GUI_DIR}/${header})))
                file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
                list(APPEND faults "${shown}: ${name}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(faults)
    list(JOIN faults "\n  " shown)
    message(FATAL_ERROR "A core folder includes a header of the window's side:\n  ${shown}")
endif()
