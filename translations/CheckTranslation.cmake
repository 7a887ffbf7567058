# The English translation is whole: no entry unfinished, none whose source
# text has vanished from the program.
#   -DTS=… -DLRELEASE=… -DQM=…   checks the translation file and builds it
#   -DTS=… -DLUPDATE=… -DSOURCES_FILE=… -DINCLUDE=… -DWORK=…
#                                 checks that the file has every text the sources ask for
cmake_minimum_required(VERSION 3.25)

function(check_entries ts what)
  file(READ "${ts}" text)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"(unfinished|vanished|obsolete)\"" faults "${text}")
  list(LENGTH faults count)
  if(count GREATER 0)
    string(REGEX REPLACE "[ \t\r\n]*<translation type=\"([a-z]+)\"" " (\\1)" faults "${faults}")
    string(REPLACE "<source>" "\n  " faults "${faults}")
    string(REPLACE "</source>" "" faults "${faults}")
    message(FATAL_ERROR "${what}: ${count} entries unfinished or vanished:${faults}")
  endif()
endfunction()

if(DEFINED LUPDATE)
  file(STRINGS "${SOURCES_FILE}" sources)
  file(MAKE_DIRECTORY "${WORK}")
  configure_file("${TS}" "${WORK}/current.ts" COPYONLY)
  execute_process(COMMAND "${LUPDATE}" -silent -locations none "-I${INCLUDE}"
                          -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=Marked
                          ${sources} -ts "${WORK}/current.ts"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "lupdate failed")
  endif()
  check_entries("${WORK}/current.ts" "the program's texts against ${TS}")
else()
  check_entries("${TS}" "${TS}")
  execute_process(COMMAND "${LRELEASE}" "${TS}" -qm "${QM}" RESULT_VARIABLE failed OUTPUT_VARIABLE said)
  if(failed OR NOT said MATCHES " 0 unfinished")
    message(FATAL_ERROR "lrelease: ${said}")
  endif()
endif()
