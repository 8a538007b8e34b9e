/* LOAD DATA LOCAL: the client sends the file the server asks for, and the
 * server (or anything between, on a connection without TLS) may ask for
 * any file at all. The provider sends only the file its statement names. */
#pragma once

#include <mysql.h>

#include <optional>
#include <string>

namespace providers::mysql {

/* What the handler of file requests works from and what it leaves. */
struct LocalFiles {
  /* The file the statement being sent names, while it is sent; none
   * otherwise, so that a request in answer to anything else is refused. */
  std::optional<std::string> named;
  /* A request that was not answered with its file: refused, or the file
   * could not be read. The server had an empty file, so the session stays
   * in step; the provider reports this as the statement's failure. */
  struct Failure {
    int code;
    std::string message;
  };
  std::optional<Failure> failure;
};

/* The file a text names when its first statement is
 *   LOAD {DATA | XML} [LOW_PRIORITY | CONCURRENT] LOCAL INFILE '<name>' ...
 * (after white space and comments, keywords in any case), its name read as
 * the server reads a string literal: in ' or ", a doubled quote for one,
 * and backslash escapes unless the session has NO_BACKSLASH_ESCAPES. None
 * for every other text, also for a LOAD DATA LOCAL later in a batch: such
 * a request is refused. */
std::optional<std::string> local_file_named (const char *text, bool backslash_escapes);

/* Whether the session reads a backslash in a string literal as an escape. */
bool backslash_escapes (MYSQL *connection);

/* Installs the handler that answers the server's file requests on this
 * connection: it sends `files->named` and nothing else. Any other request
 * gets an empty file and leaves a failure (code -1) that names the files;
 * a file that cannot be read leaves the client library's number for that
 * (CR_FILE_NOT_FOUND, CR_FILE_READ). The handler itself never fails: the
 * client library would then leave the server's answer unread and the
 * session out of step. It replaces the client library's own check, which
 * lets a text through only when it begins with "load", so that white space
 * or a comment before the statement does not stop it. Called before every
 * statement: a session the client library made again starts with its own
 * check. */
void guard_local_files (MYSQL *connection, LocalFiles *files);

}  // namespace providers::mysql
