# The program's identity, read before any target is defined so that programs
# can print their version. The newest release in the metainfo is the version,
# so the package, the programs and the metainfo never disagree.
set(BITCALC_APP_ID org.example.BitCalc)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/${BITCALC_APP_ID}.metainfo.xml _release
     REGEX "<release version=" LIMIT_COUNT 1)
string(REGEX REPLACE ".*version=\"([^\"]+)\".*" "\\1" BITCALC_VERSION "${_release}")
