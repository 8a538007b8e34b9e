/* A Vala program on the generated bindings: values, a settings file and
 * the typed lists of the settings tree. It asserts what it expects and
 * prints what it built. */
using ProvidersContracts;

int main (string[] args) {
	IValue[] values = {
		new ValueInt32 (-7),
		new ValueUInt64 (uint64.MAX),
		new ValueBoolean (true),
		new ValueString ("grüße"),
		new ValueNull ()
	};
	foreach (var v in values) {
		stdout.printf ("%s\n", v.dump ());
	}
	assert (((ValueInt32) values[0]).itsvalue == -7);
	assert (values[4].is_null);
	assert (values[3].clone ().to_string () == "grüße");

	string dir;
	try {
		dir = DirUtils.make_tmp ("vala-check-XXXXXX");
	} catch (FileError e) {
		error ("%s", e.message);
	}
	var path = Path.build_filename (dir, "settings.json");
	var setting = new ServerSetting ();
	try {
		setting.load (path);
		assert_not_reached ();
	} catch (Error e) {
		/* No file yet: the load fails but records where to save. */
	}
	var server = new Server ();
	server.title = "local";
	server.host = "127.0.0.1";
	server.port = 3306;
	int changed = 0;
	setting.changed.connect (() => changed++);
	setting.append (server, "", "");
	assert (changed == 1);
	try {
		setting.save ();
		var again = new ServerSetting ();
		again.load (path);
		foreach (Server s in again.servers) {
			stdout.printf ("%s\n", s.to_string (false));
			assert (s.title == "local" && s.port == 3306);
		}
		assert (again.servers.size == 1);
	} catch (Error e) {
		error ("%s", e.message);
	}
	FileUtils.remove (path);
	DirUtils.remove (dir);
	return 0;
}
