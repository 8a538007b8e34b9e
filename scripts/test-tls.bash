# Sourced by the private test servers' scripts: certificates signed by a CA
# of our own, and the small helpers both servers share.

# make_test_tls DIR KEY_PASSWORD: in DIR, a CA and the server's certificate
# for the names 127.0.0.1 and localhost, a client certificate, the client
# key again encrypted with KEY_PASSWORD, and a second CA that signed
# nothing here (verification against it must fail).
make_test_tls () {
  local t=$1 key_password=$2
  mkdir -p "$t"
  local key=(-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes)
  openssl req -x509 "${key[@]}" -keyout "$t/ca-key.pem" -out "$t/ca.pem" \
    -days 3650 -subj /CN=providers-test-ca 2>/dev/null
  local who
  for who in server client; do
    openssl req "${key[@]}" -keyout "$t/$who-key.pem" -out "$t/$who.csr" \
      -subj "/CN=$who" 2>/dev/null
    openssl x509 -req -in "$t/$who.csr" -CA "$t/ca.pem" -CAkey "$t/ca-key.pem" \
      -CAcreateserial -days 3650 -out "$t/$who-cert.pem" \
      -extfile <(printf 'subjectAltName=IP:127.0.0.1,DNS:localhost\n') 2>/dev/null
  done
  openssl pkey -in "$t/client-key.pem" -aes256 -passout "pass:$key_password" \
    -out "$t/client-key-encrypted.pem"
  openssl req -x509 "${key[@]}" -keyout "$t/other-ca-key.pem" -out "$t/other-ca.pem" \
    -days 3650 -subj /CN=providers-other-ca 2>/dev/null
}

# The TLS lines of a server.env for the files make_test_tls made in DIR.
write_test_tls_env () {
  local t=$1 key_password=$2
  echo "PROVIDERS_TEST_SSL_CA=$t/ca.pem"
  echo "PROVIDERS_TEST_SSL_OTHER_CA=$t/other-ca.pem"
  echo "PROVIDERS_TEST_SSL_CERT=$t/client-cert.pem"
  echo "PROVIDERS_TEST_SSL_KEY=$t/client-key.pem"
  echo "PROVIDERS_TEST_SSL_KEY_ENCRYPTED=$t/client-key-encrypted.pem"
  echo "PROVIDERS_TEST_SSL_KEY_PASSWORD=$key_password"
}

port_in_use () { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

random_hex () { head -c "$1" /dev/urandom | od -An -tx1 | tr -d ' \n'; }
