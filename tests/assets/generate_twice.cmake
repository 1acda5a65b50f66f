# Runs the asset generator twice into separate folders and fails unless both outputs match
# byte for byte: the pictures' textures and the clips' noise come from fixed seeds.
string(REPLACE "|" ";" art_files "${ART_FILES}")
file(REMOVE_RECURSE ${WORK_DIR})
foreach(run first second)
    file(MAKE_DIRECTORY ${WORK_DIR}/${run})
    execute_process(COMMAND ${GENERATOR} ${WORK_DIR}/${run}/embedded_assets.cpp ${art_files}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the generator failed on its ${run} run: ${result}")
    endif()
endforeach()
file(SIZE ${WORK_DIR}/first/embedded_assets.cpp size)
if(size LESS 1000000)
    message(FATAL_ERROR "the generated source is only ${size} bytes")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/first/embedded_assets.cpp
                        ${WORK_DIR}/second/embedded_assets.cpp
                RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
    message(FATAL_ERROR "two runs of the generator wrote different sources")
endif()
message(STATUS "two runs, ${size} bytes each, identical")
