# Script mode (cmake -P): writes the compressed manual page of one program with help2man.
#   -D PROGRAM=path -D NAME=melvara -D SUMMARY=... -D OUTPUT=page.1.gz -D HELP2MAN= -D GZIP=
# The programs print their version as "Melvara 0.9.2.2" or "Korvel-Software Kelvane ...",
# which help2man would take for the page's name; it gets "name version" instead.
execute_process(COMMAND ${PROGRAM} --version OUTPUT_VARIABLE version_text
                COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "[0-9][0-9.]*" version "${version_text}")
get_filename_component(page ${OUTPUT} NAME_WLE)
get_filename_component(folder ${OUTPUT} DIRECTORY)
set(ENV{LC_ALL} C.UTF-8)
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(
  COMMAND ${HELP2MAN} --no-info --section=1 --source=Korvel-Software
          "--version-string=${NAME} ${version}" "--name=${SUMMARY}"
          --output=${folder}/${page} ${PROGRAM}
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${GZIP} -9nf ${folder}/${page} COMMAND_ERROR_IS_FATAL ANY)
