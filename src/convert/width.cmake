target_sources(tavor_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/WidthCodeUnitTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WidthCodeUnitTable.h
    ${CMAKE_CURRENT_LIST_DIR}/WidthForm.h
    ${CMAKE_CURRENT_LIST_DIR}/WidthMap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WidthMap.h
    ${CMAKE_CURRENT_LIST_DIR}/WidthMapData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WidthMapData.h
    ${CMAKE_CURRENT_LIST_DIR}/WidthTableConverter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WidthTableConverter.h
    ${CMAKE_CURRENT_LIST_DIR}/WidthTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WidthTables.h
    ${CMAKE_CURRENT_LIST_DIR}/ZenHanUtil.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ZenHanUtil.h
)
if(WIN32)
    target_sources(tavor_core PRIVATE
        ${CMAKE_SOURCE_DIR}/src/sys/SystemWidthMap.h
        ${CMAKE_SOURCE_DIR}/src/sys/WinWidthMap.cpp
    )
endif()
