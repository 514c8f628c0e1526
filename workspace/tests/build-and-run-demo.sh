#!/bin/sh
# build-and-run-demo.sh FOLDER NAME: builds a generated Unix project with its own Makefile, then runs
# its demo server and client against each other over loopback. Leaves make.log, make.status,
# server.txt and client.txt in the folder, and done.txt last.
cd "$1" || exit 1
make CFLAGS='-O2 -Werror' >make.log 2>&1
echo $? >make.status
if [ -x "./$2_demo" ]; then
  "./$2_demo" server 0 127.0.0.1 >server.txt 2>&1 &
  server=$!
  port=
  for _ in $(seq 100); do
    port=$(sed -n 's/^listening on port \([0-9]*\).*/\1/p' server.txt)
    [ -n "$port" ] && break
    sleep 0.1
  done
  [ -n "$port" ] && "./$2_demo" client 127.0.0.1 "$port" >client.txt 2>&1
  wait "$server"
fi
echo done >done.txt
