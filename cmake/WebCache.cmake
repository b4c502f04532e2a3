# Writes the web site's service worker, SITE/sw.js, from its TEMPLATE:
# the list of every file in the SITE folder (the worker keeps them all for
# use offline) and the site's version, a hash of the template and of the
# names and contents of those files, so that any change of the site makes
# a new worker with a cache of its own. sw.js is rewritten only when it
# changes. Run after the site's files are copied or rebuilt:
#   cmake -DSITE=<folder> -DTEMPLATE=<sw.js.in> -P WebCache.cmake
cmake_minimum_required(VERSION 3.22)
foreach(var SITE TEMPLATE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "WebCache.cmake: -D${var}=... is missing")
  endif()
  get_filename_component(${var} ${${var}} ABSOLUTE)
endforeach()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
if(NOT index.html IN_LIST files)
  message(FATAL_ERROR "WebCache.cmake: no index.html in ${SITE}")
endif()
list(SORT files)
file(SHA256 ${TEMPLATE} sums)
set(ZENKO_SITE_FILES "")
foreach(file ${files})
  if(file MATCHES "['\\\\]")
    message(FATAL_ERROR "WebCache.cmake: ${file}: a quote or a backslash in a file name of the site")
  endif()
  file(SHA256 ${SITE}/${file} sum)
  string(APPEND sums "\n${sum} ${file}")
  string(APPEND ZENKO_SITE_FILES "  '${file}',\n")
endforeach()
string(SHA256 version "${sums}")
string(SUBSTRING ${version} 0 16 ZENKO_SITE_VERSION)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
