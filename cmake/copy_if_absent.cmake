# cmake -DSOURCE=dir -DTARGET=dir -P copy_if_absent.cmake
# Copies every file of SOURCE into TARGET unless TARGET already has it.
file(MAKE_DIRECTORY ${TARGET})
file(GLOB files LIST_DIRECTORIES false ${SOURCE}/*)
foreach(file ${files})
  get_filename_component(name ${file} NAME)
  if(NOT EXISTS "${TARGET}/${name}")
    file(COPY ${file} DESTINATION ${TARGET})
  endif()
endforeach()
