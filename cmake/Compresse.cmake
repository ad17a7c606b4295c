# Compresses a file as Debian's documentation and manual pages want it: gzip -9n, without the file's
# name and time, so that the same text gives the same bytes at every build.
#   cmake -DGZIP=<gzip> -DSOURCE=<file> -DCIBLE=<file.gz> -P Compresse.cmake
execute_process(COMMAND ${GZIP} -9n -c INPUT_FILE ${SOURCE} OUTPUT_FILE ${CIBLE} RESULT_VARIABLE resultat)
if(NOT resultat EQUAL 0)
    file(REMOVE ${CIBLE})
    message(FATAL_ERROR "${GZIP} could not compress ${SOURCE}: ${resultat}")
endif()
