#!/bin/sh
# Makes a throw-away certificate authority and server certificates in DIR for the TLS tests:
#   ca.pem                 the authority the clients are told to trust
#   server.key             the key of every server certificate
#   good.pem               127.0.0.1 and localhost, valid now
#   expired.pem            127.0.0.1 and localhost, expired in 2020
#   wrongname.pem          only wrong.example, valid now
# Usage: MakeTestCertificates.sh DIR
set -eu
cd "$1"
openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 \
    -subj "/CN=Shipkit Test CA" >/dev/null 2>&1
openssl req -newkey rsa:2048 -nodes -keyout server.key -out server.csr \
    -subj "/CN=127.0.0.1" >/dev/null 2>&1
printf 'subjectAltName=IP:127.0.0.1,DNS:localhost\n' >local.ext
printf 'subjectAltName=DNS:wrong.example\n' >wrong.ext
openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 \
    -extfile local.ext -out good.pem >/dev/null 2>&1
# Its own request: a common name of 127.0.0.1 would still match.
openssl req -new -key server.key -out wrong.csr -subj "/CN=wrong.example" >/dev/null 2>&1
openssl x509 -req -in wrong.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 \
    -extfile wrong.ext -out wrongname.pem >/dev/null 2>&1
# "openssl x509" cannot date a certificate in the past; "openssl ca" can.
: >index.txt
echo 1000 >serial
cat >ca.cnf <<CNF
[ca]
default_ca = test
[test]
database = index.txt
new_certs_dir = .
certificate = ca.pem
private_key = ca.key
serial = serial
default_md = sha256
policy = any
[any]
commonName = supplied
[local]
subjectAltName = IP:127.0.0.1,DNS:localhost
CNF
openssl ca -batch -config ca.cnf -extensions local -notext -in server.csr -out expired.pem \
    -startdate 20200101000000Z -enddate 20200102000000Z >/dev/null 2>&1
