# The time every file a build writes carries, one for all the build's outputs so that two
# builds of one commit are the same to the byte: SOURCE_DATE_EPOCH when the environment sets
# it, else the last commit's time, else (a tree without git) noon UTC of the release date.
# Included by CMakeLists.txt (VELMOOR_SOURCE_DATE_EPOCH), or run to print it for the Makefile:
#   cmake -P cmake/source-date-epoch.cmake
cmake_minimum_required(VERSION 3.25)
get_filename_component(velmoor_top ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
set(VELMOOR_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(VELMOOR_SOURCE_DATE_EPOCH STREQUAL "")
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${velmoor_top}
                  OUTPUT_VARIABLE VELMOOR_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_failed ERROR_QUIET)
  if(git_failed)
    if(NOT DEFINED VELMOOR_RELEASE_DATE) # run as a script: the date CMakeLists.txt sets
      file(STRINGS ${velmoor_top}/CMakeLists.txt line REGEX "^set\\(VELMOOR_RELEASE_DATE \"")
      string(REGEX REPLACE ".*\"([0-9-]+)\".*" "\\1" VELMOOR_RELEASE_DATE "${line}")
    endif()
    execute_process(COMMAND date -u -d "${VELMOOR_RELEASE_DATE} 12:00" +%s
                    OUTPUT_VARIABLE VELMOOR_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endif()
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${VELMOOR_SOURCE_DATE_EPOCH}")
endif()
