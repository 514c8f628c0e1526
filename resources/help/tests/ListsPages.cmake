# ListsPages.cmake: the compiled help file holds its contents and each of the pages Help Topics promises.
execute_process(COMMAND ${CHMLS} --no-page --name-only list ${CHM}
                OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "chmls could not read ${CHM}: ${errors}")
endif()
foreach(page contents.hhc designer.html project.html generated.html keys.html)
  string(FIND "${listing}" "/${page}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${CHM} lacks ${page}; it lists:\n${listing}")
  endif()
endforeach()
