# Runs the command-line tool on one example calculation and compares its statement with the
# checked one.
set(calculator_option "")
if(CALCULATOR)
  set(calculator_option --calculadora ${CALCULATOR})
endif()
separate_arguments(further_options UNIX_COMMAND "${OPTIONS}")
execute_process(COMMAND ${CLI} --dados ${DATA} ${calculator_option} ${further_options} --saida ${OUTPUT} ${INPUT}
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ruvivavu-cli failed (${rc}): ${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED} RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
  message(FATAL_ERROR "statement of ${INPUT} differs from ${EXPECTED}")
endif()
