# Copies the language files beside the executables of the build tree, so that a
# program started from the build folder finds them as an installed one does.
file(GLOB QTR_LANGUAGE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/lang/*.lng)
add_custom_target(qtr_resources ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QTR_LANGUAGE_FILES} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
    DEPENDS ${QTR_LANGUAGE_FILES}
    COMMENT "Copying language files")
