# Copies the language files and the help beside the executables of the build tree, so that
# a program started from the build folder finds them; an installation keeps them in
# share/qtr31x, where the programs look next. Each help folder serves both model lines:
# help/X/ becomes X_LMR/ and X_BRS/.
file(GLOB QTR_LANGUAGE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/lang/*.lng)
file(GLOB QTR_HELP_FOLDERS LIST_DIRECTORIES true CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*)
file(GLOB_RECURSE QTR_HELP_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*)
set(QTR_HELP_COPIES)
foreach(folder IN LISTS QTR_HELP_FOLDERS)
    get_filename_component(name ${folder} NAME)
    foreach(line LMR BRS)
        list(APPEND QTR_HELP_COPIES
            COMMAND ${CMAKE_COMMAND} -E copy_directory ${folder} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}_${line})
    endforeach()
endforeach()
add_custom_target(qtr_resources ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QTR_LANGUAGE_FILES} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
    ${QTR_HELP_COPIES}
    DEPENDS ${QTR_LANGUAGE_FILES} ${QTR_HELP_FILES}
    COMMENT "Copying language files and help")

install(FILES ${QTR_LANGUAGE_FILES} DESTINATION ${QTR_INSTALL_FILES_DIR})
foreach(folder IN LISTS QTR_HELP_FOLDERS)
    get_filename_component(name ${folder} NAME)
    foreach(line LMR BRS)
        install(DIRECTORY ${folder}/ DESTINATION ${QTR_INSTALL_FILES_DIR}/${name}_${line})
    endforeach()
endforeach()
