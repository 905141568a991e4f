# Installs the built tree under a fresh prefix, checks that every file lands
# where the desktop and the program look for it, then plays a character
# through the link in the prefix's bin/, which only works when the program
# finds its resource folder from the link's target.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DICON_SIZES=... -P check-install.cmake
# A DESTDIR left in the environment would send the files elsewhere.
unset(ENV{DESTDIR})
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (status ${status})")
endif()

set(expected
    lib/corvantis/bin/corvantis
    lib/corvantis/bin/corvantis-play
    lib/corvantis/Resources/chardata.rsd
    lib/corvantis/Resources/staticdata.rsd
    "lib/corvantis/Resources/Imperial Sunburst_shadow_64.jpg"
    share/applications/${APP_ID}.desktop
    share/mime/packages/${APP_ID}.xml
    share/metainfo/${APP_ID}.metainfo.xml)
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
foreach(program corvantis corvantis-play)
  if(NOT IS_SYMLINK ${PREFIX}/bin/${program})
    message(FATAL_ERROR "bin/${program} is not a link into the bundle")
  endif()
endforeach()

# A PNG's width and height are the big-endian words at bytes 16 and 20.
foreach(size IN LISTS ICON_SIZES)
  set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/corvantis.png)
  if(NOT EXISTS ${icon})
    message(FATAL_ERROR "no ${size}x${size} icon")
  endif()
  file(READ ${icon} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${icon} is not a ${size}x${size} PNG (${signature}, ${width}x${height})")
  endif()
endforeach()

file(WRITE ${PREFIX}/roll.play "roll\ndump\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        ${PREFIX}/bin/corvantis-play --seed 3 -
                INPUT_FILE ${PREFIX}/roll.play
                OUTPUT_VARIABLE dump ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the installed corvantis-play failed (status ${status}): ${errors}")
endif()
if(NOT dump MATCHES "\"messages\":\\[\\]")
  message(FATAL_ERROR "the installed bundle did not find its databases: ${dump}")
endif()
