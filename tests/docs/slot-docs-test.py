#!/usr/bin/env python3
"""slot-docs.py gives a class struct's function pointers the text of their
header comment, leaves the rest of the GIR as it was, and its check names
the record fields gi-docgen would show without a description."""
import importlib.util
import os
import re
import sys
import tempfile
import unittest

spec = importlib.util.spec_from_file_location('slot_docs', sys.argv.pop(1))
slot_docs = importlib.util.module_from_spec(spec)
spec.loader.exec_module(slot_docs)

HEADER = '''/**
 * FooThingClass:
 * @parent_class: the parent class
 * @run: (nullable): runs the thing
 *   and <stops>
 * @stop: stops it
 *
 * The slots of a thing.
 */

/**
 * FooThingClass::stop:
 * @self: a thing
 *
 * The long text of the stop slot.
 *
 * Returns: whether it stopped
 */

/**
 * FooThingClass::pause:
 * @self: a thing
 *
 * Pauses the thing.
 */
'''

GIR = '''<?xml version="1.0"?>
<repository xmlns="http://www.gtk.org/introspection/core/1.0"
            xmlns:c="http://www.gtk.org/introspection/c/1.0"
            xmlns:glib="http://www.gtk.org/introspection/glib/1.0">
  <namespace name="Foo">
    <record name="ThingClass"
            c:type="FooThingClass"
            glib:is-gtype-struct-for="Thing">
      <field name="parent_class" readable="0" private="1">
        <type name="GObject.ObjectClass" c:type="GObjectClass"/>
      </field>
      <field name="run">
        <callback name="run">
          <return-value/>
        </callback>
      </field>
      <field name="stop" introspectable="0">
        <callback name="stop" introspectable="0">
          <return-value/>
        </callback>
      </field>
      <field name="pause">
        <callback name="pause">
          <return-value/>
        </callback>
      </field>
      <field name="resume">
        <callback name="resume">
          <return-value/>
        </callback>
      </field>
    </record>
    <record name="Plain" c:type="FooPlain">
      <field name="run">
        <callback name="run">
          <return-value/>
        </callback>
      </field>
    </record>
  </namespace>
</repository>
'''


class SlotDocs(unittest.TestCase):
    def setUp(self):
        folder = tempfile.mkdtemp()
        os.mkdir(os.path.join(folder, 'foo'))
        self.header = os.path.join(folder, 'foo', 'thing.h')
        with open(self.header, 'w', encoding='utf-8') as f:
            f.write(HEADER)
        self.docs = slot_docs.slot_docs([self.header])

    def test_texts_come_from_the_slot_line_before_the_block(self):
        run = self.docs[('FooThingClass', 'run')]
        self.assertEqual(run, ('runs the thing\nand <stops>', 'thing.h', 4))
        self.assertEqual(self.docs[('FooThingClass', 'stop')][0], 'stops it')
        self.assertEqual(self.docs[('FooThingClass', 'pause')], ('Pauses the thing.', 'thing.h', 24))

    def test_only_the_undocumented_slots_of_class_structs_change(self):
        gir, added = slot_docs.add_docs(GIR, self.docs)
        self.assertEqual(added, 3)
        self.assertIn('<field name="run">\n        <doc xml:space="preserve"\n'
                      '             filename="thing.h"\n'
                      '             line="4">runs the thing\nand &lt;stops&gt;</doc>\n'
                      '        <callback name="run">', gir)
        self.assertIn('<field name="stop" introspectable="0">\n        <doc', gir)
        # The plain record's slot, and every line the scanner wrote, are
        # left as they were.
        self.assertEqual(gir.count('<doc '), 3)
        self.assertEqual(re.sub(r' *<doc [^>]*>[^<]*</doc>\n', '', gir), GIR)

    def test_check_names_what_has_no_text(self):
        self.assertEqual(slot_docs.undocumented_fields(GIR),
                         ['ThingClass.run', 'ThingClass.stop', 'ThingClass.pause',
                          'ThingClass.resume', 'Plain.run'])
        gir, _ = slot_docs.add_docs(GIR, self.docs)
        self.assertEqual(slot_docs.undocumented_fields(gir), ['ThingClass.resume', 'Plain.run'])


if __name__ == '__main__':
    unittest.main()
