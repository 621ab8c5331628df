# Replays a won game through `marlowe-cli play`: the moves file (first line "# game N deal D")
# goes to standard input with a final "state"; every action must be taken and the game won.
#   cmake -DCLI=... -DINPUT_FILE=... -DWORK_DIR=... -P run_moves.cmake
file(STRINGS "${INPUT_FILE}" header LIMIT_COUNT 1)
if(NOT header MATCHES "^# *game +([0-9]+) +deal +([0-9]+)")
  message(FATAL_ERROR "${INPUT_FILE}: the first line must be '# game N deal D'")
endif()
set(game "${CMAKE_MATCH_1}")
set(deal "${CMAKE_MATCH_2}")

get_filename_component(name "${INPUT_FILE}" NAME_WE)
set(input "${WORK_DIR}/${name}.input")
file(READ "${INPUT_FILE}" moves)
file(WRITE "${input}" "${moves}\nstate\n")

execute_process(COMMAND "${CLI}" play ${game} ${deal}
  INPUT_FILE "${input}" OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "marlowe-cli play ${game} ${deal} ended with ${status}: ${errors}")
endif()
string(REGEX MATCH "(^|\n)(refused|error[^\n]*)" refused "${output}")
if(refused)
  message(FATAL_ERROR "an action was not taken: ${refused}")
endif()
if(NOT output MATCHES "\nwon=1\n")
  message(FATAL_ERROR "the game is not won after the last action")
endif()
