# Copies each delivered store file from SRC to DST unless DST already has that file.
file(GLOB delivered RELATIVE "${SRC}" "${SRC}/*xq42.dll")
foreach(name IN LISTS delivered)
    if(NOT EXISTS "${DST}/${name}")
        file(COPY "${SRC}/${name}" DESTINATION "${DST}")
        message(STATUS "Laid ${name}")
    endif()
endforeach()
