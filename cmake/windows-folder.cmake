# Run by `cmake --install` of the Windows build once the folder's files are in place (the
# variables come from cmake/windows-release.cmake): strips what was built, writes the notices
# of the others' software the folder holds, and lays out and signs the program.
cmake_minimum_required(VERSION 3.25)
set(folder "${CMAKE_INSTALL_PREFIX}")
foreach(binary IN LISTS velmoor_binaries)
  execute_process(COMMAND ${velmoor_strip} ${folder}/${binary} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
execute_process(COMMAND /usr/bin/python3 ${velmoor_top}/scripts/third-party-notices.py --folder ${folder}
                        ${velmoor_notices_args} --out ${folder}/THIRD-PARTY-NOTICES.txt
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND bash ${velmoor_top}/scripts/authenticode.sh ${folder}/velmoor.exe COMMAND_ERROR_IS_FATAL ANY)
