# A release's checksum list, dist/SHA256SUMS (as sha256sum writes it, for sha256sum -c), and
# its detached OpenPGP signature SHA256SUMS.asc when VELMOOR_GPG_KEY names the key to sign
# with (gpg's own keyring, or GNUPGHOME's):
#   cmake -DDIST=dist -DFILES="a;b" [-DOPTIONAL_FILES="c"] -P cmake/checksums.cmake
cmake_minimum_required(VERSION 3.25)
set(sums "")
foreach(name IN LISTS FILES OPTIONAL_FILES)
  if(NOT EXISTS ${DIST}/${name})
    if(name IN_LIST FILES)
      message(FATAL_ERROR "checksums: ${DIST}/${name} was not built")
    endif()
    continue()
  endif()
  file(SHA256 ${DIST}/${name} hash)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${DIST}/SHA256SUMS "${sums}")
file(REMOVE ${DIST}/SHA256SUMS.asc)
if("$ENV{VELMOOR_GPG_KEY}" STREQUAL "")
  message(STATUS "checksums: no OpenPGP key named (VELMOOR_GPG_KEY): SHA256SUMS is unsigned")
else()
  execute_process(COMMAND gpg --batch --yes --local-user $ENV{VELMOOR_GPG_KEY} --armor --detach-sign
                          --output ${DIST}/SHA256SUMS.asc ${DIST}/SHA256SUMS
                  COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${DIST}/SHA256SUMS)
