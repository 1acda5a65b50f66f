# Runs the asset generator twice into separate folders and fails unless both outputs match
# byte for byte: the pictures' textures and the clips' noise come from fixed seeds.
string(REPLACE "|" ";" art_files "${ART_FILES}")
file(REMOVE_RECURSE ${WORK_DIR})
foreach(run first second)
    file(MAKE_DIRECTORY ${WORK_DIR}/${run})
    execute_process(COMMAND ${GENERATOR} ${WORK_DIR}/${run}/embedded_assets.cpp ${art_files}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/first/embedded_assets.cpp
                        ${WORK_DIR}/second/embedded_assets.cpp
                RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
    message(FATAL_ERROR "two runs of the generator wrote different sources")
endif()
