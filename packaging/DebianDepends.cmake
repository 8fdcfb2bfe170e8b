# Read by CPack before it makes a package (CPACK_PROJECT_CONFIG_FILE): adds
# to the Debian package's dependencies the packages of the libraries the
# program and its metafile helper link, as dpkg-shlibdeps finds them.
# Asking it about the two executables is much quicker than CPack's own scan
# of every installed file.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
find_program(_shlibdeps dpkg-shlibdeps)
if(NOT _shlibdeps)
  message(FATAL_ERROR "dpkg-shlibdeps (Debian package dpkg-dev) is needed to make the package")
endif()
# dpkg-shlibdeps reads debian/control in its working folder.
set(_work ${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps)
file(MAKE_DIRECTORY ${_work}/debian)
file(WRITE ${_work}/debian/control
  "Source: ${CPACK_PACKAGE_NAME}\n\nPackage: ${CPACK_PACKAGE_NAME}\nArchitecture: any\n")
execute_process(COMMAND ${_shlibdeps} -O ${CPACK_BRIVADUNE_EXECUTABLES}
  WORKING_DIRECTORY ${_work}
  OUTPUT_VARIABLE _found ERROR_VARIABLE _errors RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0 OR NOT _found MATCHES "^shlibs:Depends=")
  message(FATAL_ERROR "dpkg-shlibdeps failed on ${CPACK_BRIVADUNE_EXECUTABLES}:\n${_errors}")
endif()
string(REGEX REPLACE "^shlibs:Depends=" "" _found "${_found}")
string(STRIP "${_found}" _found)
# Each package once: a library the program links and also loads by name
# (libcups2) keeps the entry dpkg-shlibdeps gives, with its version.
string(REPLACE ", " ";" _found_list "${_found}")
set(_found_names)
foreach(_entry IN LISTS _found_list)
  string(REGEX MATCH "^[^ (]+" _name "${_entry}")
  list(APPEND _found_names "${_name}")
endforeach()
set(_depends)
string(REPLACE ", " ";" _listed "${CPACK_DEBIAN_PACKAGE_DEPENDS}")
foreach(_entry IN LISTS _listed)
  string(REGEX MATCH "^[^ (]+" _name "${_entry}")
  list(FIND _found_names "${_name}" _at)
  if(_at EQUAL -1)
    list(APPEND _depends "${_entry}")
  endif()
endforeach()
list(APPEND _depends ${_found_list})
list(REMOVE_DUPLICATES _depends)
string(REPLACE ";" ", " CPACK_DEBIAN_PACKAGE_DEPENDS "${_depends}")
