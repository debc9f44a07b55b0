# The product's own call tones, made by a small generator and put beside the executables of
# the build tree and into the program's share folder of an installation, as the language
# files are.
add_executable(qtr31x-calltones ${PROJECT_SOURCE_DIR}/tools/CallToneGenerator.cpp)
target_link_libraries(qtr31x-calltones PRIVATE qtr_warnings)
set_target_properties(qtr31x-calltones PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(QTR_CALL_TONES)
foreach(level RANGE 1 10)
    list(APPEND QTR_CALL_TONES "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Call Tone ${level}.wav")
endforeach()
add_custom_command(OUTPUT ${QTR_CALL_TONES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
    COMMAND qtr31x-calltones ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
    DEPENDS qtr31x-calltones
    COMMENT "Generating the call tones")
add_custom_target(qtr_call_tones ALL DEPENDS ${QTR_CALL_TONES})
add_dependencies(qtr_resources qtr_call_tones)
install(FILES ${QTR_CALL_TONES} DESTINATION ${QTR_INSTALL_FILES_DIR})
